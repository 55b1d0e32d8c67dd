// The game's pictures as Qt wants them: from the compiled-in resources, at twice the pixels on
// a high-density screen.
#pragma once

#include <QPixmap>
#include <string_view>

class QLabel;

namespace quillmere {

// A picture by its file name in the resources; empty when there is none of that name.
QPixmap Picture(std::string_view file);

// Shows a picture in a label, leaving it alone when it already shows that picture.
void ShowPicture(QLabel* control, std::string_view file);

}  // namespace quillmere
