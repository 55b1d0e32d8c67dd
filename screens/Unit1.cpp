// The main screen: market, possession, trade panel, money, car and gun panels, travel.
#include "screens/Unit1.h"

#include "screens/App.h"

namespace quillmere {

TfrmMain::TfrmMain(App& app, QWidget* parent) : QMainWindow(parent), m_app(app) {}

void TfrmMain::refresh() {}

}  // namespace quillmere
