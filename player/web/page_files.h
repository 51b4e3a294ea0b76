#pragma once
// The files the web features fetch their pages into. Some live in the temporary folder, the
// others under bare names and so land in the working directory of the process; none is ever
// deleted, each is replaced by the next fetch of its kind.

#include <string>

namespace web {

enum class PageFile {
    AudioResults,   // "audio.txt"
    VideoResults,   // "Text.txt"
    VideoPage,      // "film.htm"
    VideoFrame,     // "111.htm"
    Thumbnail,      // "defolt.jpg"
    Genres,         // the genre list
    StationList,    // "Spisok.txt", working directory
    StationEntry,   // "Temp.pls", working directory
    PictureAnswer,  // "fail.txt", working directory
    Picture,        // "Images.jpg", working directory
};

std::string pageFileName(PageFile file);
bool inTemporaryFolder(PageFile file);
// The path the feature opens: temporaryFolder (ending with a separator) + name, or the bare name.
std::string pageFilePath(PageFile file, const std::string& temporaryFolder);

}  // namespace web
