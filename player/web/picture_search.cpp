#include "player/web/picture_search.h"

#include "common/lines.h"
#include "platform/image/jpeg.h"
#include "platform/image/resample.h"
#include "player/web/page_files.h"
#include "player/web/toolbox.h"

namespace web {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int high = i + 1 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0)
            break;
        const int byte = high * 16 + low;
        if (byte == 0)
            break;
        out += static_cast<char>(byte);
        i += 2;
    }
    return out;
}

std::optional<std::string> firstJpegAddress(std::string_view answer) {
    common::LineReader reader(answer);
    while (!reader.atEnd()) {
        const std::string encoded = textBetween(reader.readLine(), "img_url=", "&from");
        if (encoded.empty())
            continue;
        std::string address = percentDecode(encoded);
        if (lowerCase(rightPart(address, 4)) == ".jpg")
            return address;
    }
    return std::nullopt;
}

Size pictureViewSize(int w, int h) {
    if (w <= 0 || h <= 0)
        return {w, h};
    const long long lw = w, lh = h;
    if (w > 480 && w > h)
        return {480, static_cast<int>(lh * 480 / lw)};
    if (w > 480 || h > 365)
        return {static_cast<int>(lw * 365 / lh), 365};
    return {w, h};
}

std::optional<common::Picture> loadJpegFile(platform::Files& files, const std::string& path) {
    const auto bytes = files.readFile(path);
    if (!bytes)
        return std::nullopt;
    return platform::image::decodeJpeg(*bytes);
}

void searchPictures(WebPorts& ports, const std::string& text) {
    const std::string answerPath = pageFilePath(PageFile::PictureAnswer, ports.system.temporaryFolder());
    ports.downloader.downloadToFile(imageSearchUrl(ports.config, text), answerPath);
    const auto answer = ports.files.readFile(answerPath);
    if (!answer)
        return;
    // Only the first JPEG address counts, whether or not its picture arrives.
    const auto address = firstJpegAddress(*answer);
    if (!address)
        return;
    const std::string picturePath = pageFilePath(PageFile::Picture, ports.system.temporaryFolder());
    ports.downloader.downloadToFile("http://" + *address, picturePath);
    // A picture that does not load leaves the view as it was.
    auto picture = loadJpegFile(ports.files, picturePath);
    if (!picture)
        return;
    const Size size = pictureViewSize(picture->width, picture->height);
    if (size.width < 1 || size.height < 1)
        return;
    ports.views.showPicture(kPictureView, platform::image::resample(*picture, size.width, size.height));
}

}  // namespace web
