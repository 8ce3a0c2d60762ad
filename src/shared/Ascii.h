#pragma once
// Printable display names of the byte values 0..255 ("<TAB>", "<#14>", "A").
#include <QString>

const QString& AsciiName(int code);
