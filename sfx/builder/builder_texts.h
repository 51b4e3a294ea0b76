#pragma once
// The builder's texts, in code page 1251. Message texts break lines with "\n\r" or "\r".

#include "common/cp1251.h"

namespace sfx::builder {

inline constexpr const char* kCaption = "Kestrel v1.0";
inline constexpr auto kChooseFolder = common::cp1251("Выберите папку:");
inline constexpr auto kBrowse = common::cp1251("Обзор");
inline constexpr auto kIdle = common::cp1251("Готовые ...");
inline constexpr auto kExit = common::cp1251("Выход");
inline constexpr auto kPack = common::cp1251("Сжать!");
inline constexpr auto kAbout = common::cp1251("О прогр.");
inline constexpr auto kAboutTitle = common::cp1251("О Kestrel");
inline constexpr auto kAboutText = common::cp1251(
    "Kestrel v1.1\n\r\n\rОписание: Kestrel это небольшая утилита, чтобы сделать\n\rСамораспаковывающийся ZIP "
    "архивов.\n\rАвторы: команда VT-90\n\rСжатие: zlib и minizip");
inline constexpr auto kBrowseTitle = common::cp1251("Выберите путь, пожалуйста");
inline constexpr auto kSaveTitle = common::cp1251("Пожалуйста, выберите файл, чтобы сохранить");
inline constexpr auto kFilterDescription = common::cp1251("Исполняемые файлы (*. EXE) ");
inline constexpr auto kFilterPattern = common::cp1251(" *. EXE");
inline constexpr auto kDoneTitle = common::cp1251("Готовы");
inline constexpr auto kDoneText = common::cp1251("Архив был успешно создан. ");
inline constexpr auto kDoneFiles = common::cp1251(" файлы были добавлены.");
inline constexpr auto kFailedTitle = common::cp1251("Kestrel");
// When not every file could be packed; the files follow, one a line.
inline constexpr auto kNotPacked = common::cp1251("Установщик не создан. Эти файлы не удалось упаковать:");
inline constexpr auto kMoreFiles = common::cp1251("и другие файлы: ");
inline constexpr auto kNotWritten = common::cp1251("Установщик не создан: не удалось записать файл\r");
inline constexpr const char* kTempPrefix = "Kestrel";

}  // namespace sfx::builder
