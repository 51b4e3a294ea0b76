#pragma once
// The installer wizard's texts, in code page 1251; "\r" breaks a line.

#include "common/cp1251.h"

namespace sfx::stub {

inline constexpr auto kCaption = common::cp1251("Установка: Vantor плеер");
inline constexpr auto kWelcome = common::cp1251("Добро пожаловать в мастер установки\rVantor плеер");
inline constexpr auto kIntro = common::cp1251("Эта программа установит Vantor плеер на Ваш компьютер.");
inline constexpr auto kCloseOthers = common::cp1251(
    "Перед началом установки рекомендуется закрыть все работающие приложения.\rЭто позволит обновить системные "
    "файлы без перезагрузки.");
inline constexpr auto kPressNext = common::cp1251(
    "Нажмите на кнопку <<Далее>> , для продолжения установки программы, или <<Отмена>>,\rчтобы выйти из программы "
    "установки.");
inline constexpr auto kCancel = common::cp1251("Отмена");
inline constexpr auto kNext = common::cp1251("Далее");
inline constexpr auto kChooseFolder = common::cp1251("Выберите папку назначения:");
inline constexpr auto kBrowse = common::cp1251("Обзор");
inline constexpr auto kProgressText = common::cp1251("Прогрес установки...");
inline constexpr auto kShortcutNote = common::cp1251("Vorid будет установлен на рабочий стол...");
inline constexpr auto kInstall = common::cp1251("Установить");
inline constexpr auto kBrowseTitle = common::cp1251("Выберите путь назначения пожалуйста");
inline constexpr auto kWarningTitle = common::cp1251("Kestrel");
inline constexpr auto kNoFolder = common::cp1251("Пожалуйста, выберите назначение путь!");
inline constexpr auto kExtracting = common::cp1251("Извлечение файлов ...");
inline constexpr auto kReady = common::cp1251("Готовы");
inline constexpr auto kSuccess = common::cp1251("Файлы были извлечены успешно!");
// When entries did not arrive whole; their names follow, one a line.
inline constexpr auto kSomeFailed = common::cp1251("Не все файлы были извлечены. Ошибки в файлах:");
inline constexpr auto kMoreFailed = common::cp1251("и другие файлы: ");
inline constexpr auto kNotReached = common::cp1251("Архив повреждён: не все файлы были прочитаны.");
inline constexpr auto kNoArchive = common::cp1251("Архив установки не найден или повреждён. Файлы не были извлечены.");

inline constexpr auto kShortcutDescription = common::cp1251("ярлык VT-90");
inline constexpr const char* kPlayerFolder = "VT-90";
inline constexpr const char* kPlayerBaseName = "VT-90";

}  // namespace sfx::stub
