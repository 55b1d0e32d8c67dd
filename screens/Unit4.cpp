// The gun dealer.
#include "screens/Unit4.h"

#include "screens/App.h"

namespace quillmere {

TfrmGuns::TfrmGuns(App& app, QWidget* parent) : QDialog(parent), m_app(app) {}

void TfrmGuns::refresh() {}

}  // namespace quillmere
