#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_system.h"
#include "player/web/genre_list.h"
#include "player/web/page_files.h"
#include "player/web/radio.h"
#include "common/lines.h"

namespace web {
namespace {

TEST(PageFiles, TemporaryFolderOrWorkingDirectory) {
    const std::pair<PageFile, std::string> cases[] = {
        {PageFile::AudioResults, "/t/audio.txt"},   {PageFile::VideoResults, "/t/Text.txt"},
        {PageFile::VideoPage, "/t/film.htm"},       {PageFile::VideoFrame, "/t/111.htm"},
        {PageFile::Thumbnail, "/t/defolt.jpg"},     {PageFile::Genres, "/t/" + common::cp1251("стили.txt").str()},
        {PageFile::StationList, "Spisok.txt"},      {PageFile::StationEntry, "Temp.pls"},
        {PageFile::PictureAnswer, "fail.txt"},      {PageFile::Picture, "Images.jpg"},
    };
    for (const auto& [file, path] : cases)
        EXPECT_EQ(pageFilePath(file, "/t/"), path);
}

TEST(GenreList, HoldsTheNamesInTheirOrder) {
    EXPECT_EQ(kGenreList.size(), 3121u);
    const auto names = common::splitLines(kGenreList);
    ASSERT_EQ(names.size(), 281u);
    EXPECT_EQ(names.front(), "30s");
    EXPECT_EQ(names.back(), "Zouk");
    auto at = [&](const std::string& n) { return std::find(names.begin(), names.end(), n) - names.begin(); };
    EXPECT_LT(at("Adult Contemporary"), at("Adult"));
    EXPECT_LT(at("Contemporary R&amp;B"), static_cast<long>(names.size()));
    EXPECT_LT(at("Classic R&B"), static_cast<long>(names.size()));
    EXPECT_LT(at("Rock & Roll"), static_cast<long>(names.size()));
    // Every name ends with CR LF and nothing else lies between them.
    EXPECT_EQ(kGenreList.substr(0, 10), std::string_view("30s\r\n40s\r\n"));
}

TEST(GenreList, StartUpReplacesAnEditedCopy) {
    platform::fake::FakeFiles files;
    platform::fake::FakeSystem system;
    files.addFolder("/tmp");
    system.tempFolder = "/tmp/";
    const std::string path = "/tmp/" + common::cp1251("стили.txt").str();
    files.addFile(path, "Edited\r\n");
    ASSERT_TRUE(writeGenreList(files, system));
    EXPECT_EQ(files.content(path), kGenreList);
}

}  // namespace
}  // namespace web
