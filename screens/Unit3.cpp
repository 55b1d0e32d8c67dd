// The pursuit screen: pay, run or fight.
#include "screens/Unit3.h"

#include "screens/App.h"

namespace quillmere {

TfrmBusted::TfrmBusted(App& app, QWidget* parent) : QDialog(parent), m_app(app) {}

void TfrmBusted::refresh() {}

}  // namespace quillmere
