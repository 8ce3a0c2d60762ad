#pragma once
// The four-line footer "Copy All" appends to a cleaned message.
#include <QString>

inline constexpr double ProgramVersion = 2.06;

QString FooterURL();
QString FooterStr();
