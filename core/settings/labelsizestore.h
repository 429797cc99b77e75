#pragma once

#include <QString>

// The last label size written to a printer, kept between runs in the settings store
// (organisation "Company", application "App").
namespace labelsize {

constexpr double kDefaultWidth = 102.0;
constexpr double kDefaultHeight = 152.0;

// The stored value, or the default when none is stored or it is not a number.
double storedWidth();
double storedHeight();

// Stores the texts as typed, before any check.
void store(const QString &widthText, const QString &heightText);

} // namespace labelsize
