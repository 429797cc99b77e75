#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class PlainCopy;

// Firmware and font files are delivered encrypted with AES-128 in ECB mode under a
// fixed key; they are decrypted into a plain file beside the chosen one before they
// are sent to a printer.

namespace filedecrypt {

constexpr int kBlockSize = 16;

// The fixed key, 16 ASCII bytes.
const uint8_t *key();

enum class Result
{
    Ok,
    InputOpenFailed,  // the chosen file cannot be read
    OutputOpenFailed, // no new file can be created beside it
    ReadFailed,
    WriteFailed, // e.g. a full disk; the partial copy is removed
    CipherFailed
};

// "<dir>/<base>_decrypted.hex", whatever the input's suffix.
QString firmwareOutputPath(const QString &inputPath);
// "<dir>/<base>_decrypted.<suffix>", "bin" when the input has no suffix.
QString fontOutputPath(const QString &inputPath);

// The whole of an encrypted file's bytes, decrypted: full blocks whole; a short last
// block of n bytes is zero-extended, decrypted, and its first n bytes are kept
// without their trailing zeros. False only when the cipher fails.
bool decryptBytes(const QByteArray &cipher, QByteArray *plain);

// Decrypts `inputPath`, a regular file (a pipe or a device is refused as unreadable), into
// a new file readable by its owner only. An existing file is never replaced: when
// `outputPath` is taken, the first free sibling "<base>-2.<suffix>", "<base>-3.<suffix>",
// ... is used. `copy` receives the file written with the descriptor to send it from;
// `error` a reason for the user on failure. Nothing is left behind on failure.
Result decryptFile(const QString &inputPath, const QString &outputPath, PlainCopy *copy,
                   QString *error);
// The same, the copy closed: `createdPath` receives its path.
Result decryptFile(const QString &inputPath, const QString &outputPath,
                   QString *createdPath = nullptr, QString *error = nullptr);

} // namespace filedecrypt
