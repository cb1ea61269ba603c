#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of an imported file into text. A byte-order mark decides
// first (UTF-8, UTF-16 LE or BE); without one, bytes that are well-formed
// UTF-8 are read as UTF-8 and anything else as Windows-1252. It never fails:
// every byte sequence decodes to some text. It does not guess other code
// pages or UTF-16 without a mark.
namespace ImportEncoding {

enum class Encoding { Utf8Bom, Utf16LE, Utf16BE, Utf8, Windows1252 };

Encoding detect(const QByteArray &bytes);
QString decode(const QByteArray &bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF,
// no truncated sequence.
bool isWellFormedUtf8(const QByteArray &bytes);

} // namespace ImportEncoding
