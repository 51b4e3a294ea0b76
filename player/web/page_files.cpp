#include "player/web/page_files.h"

#include "common/cp1251.h"

namespace web {

std::string pageFileName(PageFile file) {
    switch (file) {
        case PageFile::AudioResults: return "audio.txt";
        case PageFile::VideoResults: return "Text.txt";
        case PageFile::VideoPage: return "film.htm";
        case PageFile::VideoFrame: return "111.htm";
        case PageFile::Thumbnail: return "defolt.jpg";
        case PageFile::Genres: return common::cp1251("стили.txt");
        case PageFile::StationList: return "Spisok.txt";
        case PageFile::StationEntry: return "Temp.pls";
        case PageFile::PictureAnswer: return "fail.txt";
        case PageFile::Picture: return "Images.jpg";
    }
    return {};
}

bool inTemporaryFolder(PageFile file) {
    switch (file) {
        case PageFile::StationList:
        case PageFile::StationEntry:
        case PageFile::PictureAnswer:
        case PageFile::Picture:
            return false;
        default:
            return true;
    }
}

std::string pageFilePath(PageFile file, const std::string& temporaryFolder) {
    return inTemporaryFolder(file) ? temporaryFolder + pageFileName(file) : pageFileName(file);
}

}  // namespace web
