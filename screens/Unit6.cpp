// The start screen: name, links and the start sequence.
#include "screens/Unit6.h"

#include "screens/App.h"

namespace quillmere {

TfrmSplash::TfrmSplash(App& app, QWidget* parent) : QWidget(parent), m_app(app) {}

void TfrmSplash::refresh() {}

}  // namespace quillmere
