// The car dealer.
#include "screens/Unit5.h"

#include "screens/App.h"

namespace quillmere {

TfrmCars::TfrmCars(App& app, QWidget* parent) : QDialog(parent), m_app(app) {}

void TfrmCars::refresh() {}

}  // namespace quillmere
