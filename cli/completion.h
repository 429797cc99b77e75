#pragma once

#include <QString>

// The shell completions of labelsetup-cli, made from the command table: after a command
// only the flags it takes are offered.
namespace completion {

// For bash-completion, installed as completions/labelsetup-cli.
QString bash();
// For zsh, installed as vendor-completions/_labelsetup-cli.
QString zsh();

} // namespace completion
