// The end screen: the assets and the bid code.
#include "screens/Unit7.h"

#include "screens/App.h"

namespace quillmere {

TfrmEnd::TfrmEnd(App& app, QWidget* parent) : QWidget(parent), m_app(app) {}

void TfrmEnd::refresh() {}

}  // namespace quillmere
