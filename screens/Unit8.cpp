// The loan payment dialog.
#include "screens/Unit8.h"

#include "screens/App.h"

namespace quillmere {

TfrmLoan::TfrmLoan(App& app, QWidget* parent) : QDialog(parent), m_app(app) {}

void TfrmLoan::refresh() {}

}  // namespace quillmere
