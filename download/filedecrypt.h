#pragma once

#include <QString>
#include <cstdint>

// Firmware and font files are delivered encrypted with AES-128 in ECB mode under a
// fixed key; they are decrypted into a plain file beside the chosen one before they
// are sent to a printer.

// Decrypts one 16-byte block with a 16-byte key (AES-128, FIPS-197).
void AES128_ECB_decrypt(const uint8_t *input, const uint8_t *key, uint8_t *output);

namespace filedecrypt {

constexpr int kBlockSize = 16;

// The fixed key, 16 ASCII bytes.
const uint8_t *key();

enum class Result
{
    Ok,
    InputOpenFailed,
    OutputOpenFailed
};

// "<dir>/<base>_decrypted.hex", whatever the input's suffix.
QString firmwareOutputPath(const QString &inputPath);
// "<dir>/<base>_decrypted.<suffix>", "bin" when the input has no suffix.
QString fontOutputPath(const QString &inputPath);

// Decrypts `inputPath` block by block into `outputPath` (created or truncated).
// Full blocks are written whole; a short last block of n bytes is zero-extended,
// decrypted, and its first n bytes are written without their trailing zeros.
Result decryptFile(const QString &inputPath, const QString &outputPath);

} // namespace filedecrypt
