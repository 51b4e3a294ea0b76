#pragma once
// The uninstaller's fixed names and texts, in code page 1251.

#include "common/cp1251.h"

namespace uninstaller {

inline constexpr const char* kListFile = "uninst.dat";
inline constexpr const char* kPlayerBaseName = "VT-90";
inline constexpr const char* kStartMenuSubfolder = "VT-90";

inline constexpr auto kConfirmCaption = common::cp1251("Деинсталляция VT-90");
inline constexpr auto kConfirmText = common::cp1251("Вы действительно хотите удалить VT-90 и все компоненты\rпрограммы?");
inline constexpr auto kReportCaption = common::cp1251("Деинсталлятор");
inline constexpr auto kReportSuccess = common::cp1251("Успешное удаление всех компонентов VT-90.");
// The report when listed files could not be deleted; the remaining paths follow, one a line.
inline constexpr auto kReportRemaining = common::cp1251("Не удалось удалить файлы VT-90:");
inline constexpr auto kReportMore = common::cp1251("и другие файлы: ");

}  // namespace uninstaller
