#pragma once
// The display controls that the web features write: picture views, the preview label and the
// browser views. Called on the user-interface thread only.

#include <string>

#include "common/picture.h"

namespace player {

class Views {
public:
    virtual ~Views() = default;
    // Places a picture in an image control (36, 38); the control takes the picture's size.
    virtual void showPicture(int control, const common::Picture& picture) = 0;
    // Sets the text of a label (37).
    virtual void setText(int control, const std::string& text) = 0;
    // Navigates a browser view (33, 35) to an http:// URL, a file:// URL or a local file's path.
    virtual void navigate(int control, const std::string& address) = 0;
};

}  // namespace player
