#pragma once

#include <QString>
#include <QStringList>

namespace lunarys::cli {

// Where lunarys-cli looks for one of its modules (lunarys-pdf.so,
// lunarys-atlas.so): beside the program in the build tree, then in the
// modules' folder of the installed prefix (<libdir>/lunarys), found from the
// program's own place so that any prefix works.
QStringList ModulePaths(const char* fileName);

// The first of ModulePaths that exists, or empty.
QString FindModule(const char* fileName);

}  // namespace lunarys::cli
