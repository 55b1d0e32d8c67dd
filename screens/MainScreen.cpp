// The main screen: every field of the game on one window, and the events that drive it.
#include "screens/MainScreen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <algorithm>
#include <functional>

#include "game/game.h"
#include "game/web.h"
#include "screens/ControlTable.h"
#include "screens/Grid.h"
#include "screens/IntegerBox.h"
#include "screens/Pictures.h"
#include "screens/ScreenKit.h"
#include "screens/Translation.h"

namespace quillmere {
namespace {

constexpr int kClientWidth = 592;
constexpr int kClientHeight = 418;
constexpr int kStatusHeight = 19;

QString Number(std::int64_t value) { return QString::fromStdString(ToText(value)); }

QString Tr(const char* text) { return MainScreen::tr(text); }

constexpr Control kControls[] = {
    // Market.
    {"Label5", Kind::Label, "", 8, 8, 185, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Currently On The Market:")},
    {"Panel6", Kind::BlackPanel, "", 8, 23, 185, 312},
    {"drug1", Kind::MarketGrid, "Panel6", 0, 0, 185, 312, "", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Market")},
    // Trade panel and possession.
    {"Panel2", Kind::Panel, "", 202, 8, 210, 177},
    {"Panel8", Kind::BlackPanel, "Panel2", 4, 8, 89, 72},
    {"imgDrug", Kind::Picture, "Panel8", 0, 0, 89, 72, "", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Picture of the good")},
    {"edtBuy", Kind::NumberBox, "Panel2", 100, 8, 52, 22, "", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Amount to buy")},
    {"btnBuy", Kind::Button, "Panel2", 156, 7, 49, 25,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Buy")},
    {"Bevel1", Kind::Bevel, "Panel2", 100, 42, 105, 2},
    {"edtSell", Kind::NumberBox, "Panel2", 100, 56, 52, 22, "", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Amount to sell")},
    {"btnSell", Kind::Button, "Panel2", 156, 55, 49, 25,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Sell")},
    {"Bevel2", Kind::Bevel, "Panel2", 4, 83, 202, 2},
    {"Label1", Kind::Label, "Panel2", 4, 88, 66, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Name:")},
    {"lblname", Kind::Label, "Panel2", 72, 88, 134, 13, "Acid"},
    {"Label2", Kind::Label, "Panel2", 4, 104, 66, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Price:")},
    {"lblprice", Kind::Label, "Panel2", 72, 104, 134, 13, "2500"},
    {"Label3", Kind::Label, "Panel2", 4, 120, 100, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Description:")},
    {"description", Kind::Label, "Panel2", 4, 136, 194, 33, "Acid description.", kWrap},
    {"Label6", Kind::Label, "", 202, 192, 210, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "In Your Possession:")},
    {"Panel7", Kind::BlackPanel, "", 202, 207, 210, 128},
    {"drug2", Kind::PossessionGrid, "Panel7", 0, 0, 210, 128, "", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "In your possession")},
    // Money.
    {"Panel1", Kind::Panel, "", 416, 8, 169, 145},
    {"lblDays", Kind::Label, "Panel1", 4, 3, 84, 13, "Day 1 of 31"},
    {"lblTime", Kind::Label, "Panel1", 161 - 70, 3, 70, 13, "Morning", kRight},
    {"Bevel3", Kind::Bevel, "Panel1", 4, 22, 161, 2},
    {"Image2", Kind::Picture, "Panel1", 4, 28, 32, 32, "cash.png", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Cash")},
    {"SpeedButton1", Kind::SmallButton, "Panel1", 38, 28, 48, 32,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "withdraw")},
    {"lblcash", Kind::Label, "Panel1", 88, 40, 73, 13, "2000", kRight},
    {"Bevel4", Kind::Bevel, "Panel1", 4, 63, 161, 2},
    {"Image3", Kind::Picture, "Panel1", 4, 68, 32, 32, "bank.png", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Bank")},
    {"SpeedButton3", Kind::SmallButton, "Panel1", 38, 68, 48, 32,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "deposit")},
    {"lblbank", Kind::Label, "Panel1", 161 - 73, 80, 73, 13, "0", kRight},
    {"Bevel5", Kind::Bevel, "Panel1", 4, 103, 161, 2},
    {"Image4", Kind::Picture, "Panel1", 4, 108, 32, 32, "tonyicon.png", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Debt to Tony")},
    {"btntonysome", Kind::SmallButton, "Panel1", 38, 108, 48, 17,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "some")},
    {"btnTonyall", Kind::SmallButton, "Panel1", 38, 124, 48, 17,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "all")},
    {"lbltony", Kind::Label, "Panel1", 161 - 73, 120, 73, 13, "2000", kRight},
    // Car.
    {"Panel3", Kind::Panel, "", 416, 160, 169, 153},
    {"SpeedButton7", Kind::SmallButton, "Panel3", 3, 3, 65, 17,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Car Dealer")},
    {"Label20", Kind::Label, "Panel3", 160 - 40, 3, 40, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Car"), kRight},
    {"Bevel6", Kind::Bevel, "Panel3", 3, 21, 163, 2},
    {"lblCar", Kind::Label, "Panel3", 3, 24, 80, 29, "Honda Civic", kWrap},
    {"Panel9", Kind::Panel, "Panel3", 88, 24, 75, 35},
    {"imgCar", Kind::Picture, "Panel9", 0, 0, 75, 35, "", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Picture of the car")},
    {"Label4", Kind::Label, "Panel3", 3, 60, 40, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Value")},
    {"lblCarValue", Kind::Label, "Panel3", 160 - 70, 60, 70, 13, "7000", kRight},
    {"Bevel7", Kind::Bevel, "Panel3", 3, 75, 163, 2},
    {"Label8", Kind::Label, "Panel3", 3, 78, 100, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Trunk Space (avail)")},
    {"lblTrunk", Kind::Label, "Panel3", 130 - 25, 78, 25, 13, "80", kRight},
    {"Label15", Kind::Label, "Panel3", 133, 78, 6, 13, "/"},
    {"lblTotTrunk", Kind::Label, "Panel3", 140, 78, 25, 13, "80"},
    {"Label9", Kind::Label, "Panel3", 3, 96, 100, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Seat Space (avail)")},
    {"lblSeat", Kind::Label, "Panel3", 130 - 25, 96, 25, 13, "4", kRight},
    {"Label14", Kind::Label, "Panel3", 133, 96, 6, 13, "/"},
    {"lblTotSeat", Kind::Label, "Panel3", 140, 96, 25, 13, "4"},
    {"Bevel8", Kind::Bevel, "Panel3", 3, 112, 163, 2},
    {"health", Kind::Gauge, "Panel3", 3, 116, 164, 16, "", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Health")},
    {"btnHospital", Kind::SmallButton, "Panel3", 3, 134, 164, 17,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Visit a Hospital")},
    // Gun.
    {"Panel4", Kind::Panel, "", 416, 314, 169, 82},
    {"SpeedButton8", Kind::SmallButton, "Panel4", 3, 3, 65, 17,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Gun Dealer")},
    {"Label21", Kind::Label, "Panel4", 160 - 40, 3, 40, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Gun"), kRight},
    {"Bevel9", Kind::Bevel, "Panel4", 3, 21, 163, 2},
    {"lblGun", Kind::Label, "Panel4", 3, 24, 80, 29, "NONE", kWrap},
    {"Panel11", Kind::Panel, "Panel4", 88, 24, 75, 35},
    {"imgGun", Kind::Picture, "Panel11", 0, 0, 75, 35, "", 0,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Picture of the gun")},
    {"Bevel10", Kind::Bevel, "Panel4", 3, 61, 163, 2},
    {"Label18", Kind::Label, "Panel4", 3, 65, 40, 13,
     QT_TRANSLATE_NOOP("quillmere::MainScreen", "Value")},
    {"lblGunValue", Kind::Label, "Panel4", 160 - 70, 65, 70, 13, "0", kRight},
    // Travel: a button for each place, in the places' order, four to a row.
    {"Panel5", Kind::Panel, "", 8, 338, 404, 58},
};

constexpr const char* kTravelButtons[kPlaceCount] = {
    "btnDowntown",     "btnHollywood", "btnPasadena", "btnBeverlyHills",
    "btnSouthCentral", "btnSanDiego",  "btnLasVegas", "btnTijuana",
};

struct LabelView {
  const char* name;
  QString (*text)(const GameState& s, const MainView& p);
};

// The day label's text is the translators' and names the last day itself; it must be the
// engine's.
static_assert(kLastDay == 31, "the day label's text \"Day %1 of 31\" names another last day");

const LabelView kLabelViews[] = {
    {"lblDays", [](const GameState& s,
                   const MainView&) { return MainScreen::tr("Day %1 of 31").arg(Number(s.day)); }},
    {"lblTime", [](const GameState& s,
                   const MainView&) { return Translated("Caption", TimeOfDayText(s.timeOfDay)); }},
    {"lblcash", [](const GameState& s, const MainView&) { return Number(s.cash); }},
    {"lblbank", [](const GameState& s, const MainView&) { return Number(s.bank); }},
    {"lbltony", [](const GameState& s, const MainView&) { return Number(s.debt); }},
    {"lblCar", [](const GameState& s, const MainView&) { return Translated("Cars", s.carName); }},
    {"lblCarValue", [](const GameState& s, const MainView&) { return Number(s.carValue); }},
    {"lblTrunk", [](const GameState& s, const MainView&) { return Number(s.trunkFree); }},
    {"lblTotTrunk", [](const GameState& s, const MainView&) { return Number(s.trunkTotal); }},
    {"lblSeat", [](const GameState& s, const MainView&) { return Number(s.seatsFree); }},
    {"lblTotSeat", [](const GameState& s, const MainView&) { return Number(s.seatsTotal); }},
    {"lblGun", [](const GameState& s, const MainView&) { return Translated("Guns", s.gunName); }},
    {"lblGunValue", [](const GameState& s, const MainView&) { return Number(s.gunValue); }},
    {"lblname", [](const GameState&,
                   const MainView& p) { return Translated("Goods", GoodAt(p.infoGood).name); }},
    {"lblprice", [](const GameState&, const MainView& p) { return Number(p.infoPrice); }},
    {"description",
     [](const GameState&, const MainView& p) {
       return p.infoDescribed ? Translated("Goods", GoodAt(p.infoGood).description)
                              : MainScreen::tr("Acid description.");
     }},
};

// The buttons and the action each sends; the travel buttons send Travel to their place.
struct Command {
  const char* button;
  Action action;
};

const Command kCommands[] = {
    {"btnBuy", Buy{}},
    {"btnSell", Sell{}},
    {"SpeedButton1", Withdraw{}},
    {"SpeedButton3", Deposit{}},
    {"btnTonyall", PayTonyAll{}},
    {"btnHospital", SeeDoctor{}},
    {"btntonysome", PayTonySome{}},
    {"SpeedButton7", VisitCarDealer{}},
    {"SpeedButton8", VisitGunDealer{}},
};

struct WebItem {
  const char* name;
  const char* caption;
  std::string_view page;
};

const WebItem kWebItems[] = {
    {"VisitWebsite1", QT_TRANSLATE_NOOP("quillmere::MainScreen", "&Visit Our Website"),
     kWebsitePage},
    {"Introduction1", QT_TRANSLATE_NOOP("quillmere::MainScreen", "&Introduction"),
     kIntroductionPage},
    {"Tutorial1", QT_TRANSLATE_NOOP("quillmere::MainScreen", "&Tutorial"), kTutorialPage},
};

// What a screen reader says for the status line, which is not one of the table's controls.
const char* const kStatusName = QT_TRANSLATE_NOOP("quillmere::MainScreen", "Status");

// The keyboard's way through the screen; the travel buttons follow in the places' order.
const char* const kTabOrder[] = {
    "drug1",        "edtBuy",       "btnBuy",       "edtSell",     "btnSell",
    "drug2",        "SpeedButton1", "SpeedButton3", "btntonysome", "btnTonyall",
    "SpeedButton7", "btnHospital",  "SpeedButton8",
};

}  // namespace

MainScreen::MainScreen(const Game& game, QWidget* parent) : QMainWindow(parent), m_game(game) {
  setWindowTitle(QStringLiteral("quillmere"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  buildControls();
  buildMenu();
  connectControls();
  setAccessibility();
  // The menu bar sits above the client area, which keeps its own size.
  setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
  refresh();
}

void MainScreen::buildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(kClientWidth, kClientHeight - kStatusHeight);
  PaintBlack(*client);
  setCentralWidget(client);

  BuildControls(*client, "quillmere::MainScreen", kControls);

  auto* travel = FindControl(*client, "Panel5");
  for (int i = 0; i < kPlaceCount; ++i) {
    const PlaceInfo& place = PlaceAt(static_cast<Place>(i));
    auto* button = new QPushButton(Translated("Places", place.name), travel);
    button->setObjectName(QString::fromUtf8(kTravelButtons[static_cast<std::size_t>(i)]));
    button->setAutoDefault(false);
    button->setGeometry(8 + 100 * (i % 4), 3 + 28 * (i / 4), 90, 25);
    m_travel[static_cast<std::size_t>(i)] = button;
  }

  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("barStatus"));
  status->setSizeGripEnabled(false);
  status->setFixedHeight(kStatusHeight);
  setStatusBar(status);

  for (const LabelView& view : kLabelViews)
    m_labels.emplace_back(FindControl<QLabel>(*this, view.name), view.text);
  m_drug1 = FindControl<Grid>(*this, "drug1");
  m_drug2 = FindControl<Grid>(*this, "drug2");
  m_edtBuy = FindControl<IntegerBox>(*this, "edtBuy");
  m_edtSell = FindControl<IntegerBox>(*this, "edtSell");
  m_btnSell = FindControl<QPushButton>(*this, "btnSell");
  m_btntonysome = FindControl<QPushButton>(*this, "btntonysome");
  m_btnTonyall = FindControl<QPushButton>(*this, "btnTonyall");
  m_description = FindControl<QLabel>(*this, "description");
  m_imgDrug = FindControl<QLabel>(*this, "imgDrug");
  m_imgCar = FindControl<QLabel>(*this, "imgCar");
  m_imgGun = FindControl<QLabel>(*this, "imgGun");
  m_health = FindControl<QProgressBar>(*this, "health");
}

void MainScreen::buildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* file = bar->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("File1"));
  QAction* exit = file->addAction(tr("E&xit"));
  exit->setObjectName(QStringLiteral("Exit1"));
  connect(exit, &QAction::triggered, this, [this] { emit acted(Quit{}); });

  QMenu* web = bar->addMenu(tr("&Web"));
  web->setObjectName(QStringLiteral("Web1"));
  for (const WebItem& item : kWebItems) {
    QAction* action = web->addAction(Tr(item.caption));
    action->setObjectName(QString::fromUtf8(item.name));
    connect(action, &QAction::triggered, this, [this, &item] { emit pageRequested(item.page); });
  }
}

void MainScreen::connectControls() {
  for (const Command& command : kCommands)
    SendOnClick(FindControl<QPushButton>(*this, command.button), this, command.action);
  for (int i = 0; i < kPlaceCount; ++i)
    SendOnClick(m_travel[static_cast<std::size_t>(i)], this, Travel{static_cast<Place>(i)});
  m_drug1->onPick = [this](int row) { emit acted(PickGood{row}); };
  m_drug2->onPick = [this](int row) { emit acted(PickLot{row}); };
  // On the market the highlight is the info panel's good: an arrow key picks where it lands.
  m_drug1->pickOnMove = true;

  // The boxes hand the game the player's text whenever it changes; an arrow steps it.
  connect(m_edtBuy, &IntegerBox::edited, this,
          [this](const QString& text) { emit acted(SetBuyAmount{text.toStdString()}); });
  connect(m_edtBuy, &IntegerBox::stepped, this,
          [this](int steps) { emit acted(StepBuyAmount{steps}); });
  connect(m_edtSell, &IntegerBox::edited, this,
          [this](const QString& text) { emit acted(SetSellAmount{text.toStdString()}); });
  connect(m_edtSell, &IntegerBox::stepped, this,
          [this](int steps) { emit acted(StepSellAmount{steps}); });
}

void MainScreen::setAccessibility() {
  statusBar()->setAccessibleName(Tr(kStatusName));
  QWidget* previous = nullptr;
  auto chain = [&previous](QWidget* next) {
    if (previous) setTabOrder(previous, next);
    previous = next;
  };
  for (const char* name : kTabOrder) chain(FindControl(*this, name));
  for (QPushButton* button : m_travel) chain(button);
}

void MainScreen::refresh() {
  const GameState& s = m_game.state();
  const MainView& p = m_game.view();
  for (const auto& [label, text] : m_labels) label->setText(text(s, p));
  // The description takes the lines its text needs, as far down as the panel reaches.
  const int room = m_description->parentWidget()->contentsRect().bottom() + 1 - m_description->y();
  m_description->resize(m_description->width(),
                        std::min(m_description->heightForWidth(m_description->width()), room));

  ShowPicture(m_imgDrug, GoodAt(p.infoGood).picture);
  ShowPicture(m_imgCar, s.carKind >= 1 && s.carKind <= kCarCount ? CarOfKind(s.carKind).picture
                                                                 : std::string_view());
  ShowPicture(m_imgGun, s.gunKind >= 1 && s.gunKind <= kGunCount ? GunOfKind(s.gunKind).picture
                                                                 : std::string_view());
  m_health->setValue(std::clamp(s.health, 0, 100));

  std::vector<QStringList> market{{tr("Drugs"), tr("Prices")}};
  for (int good = 0; good < kGoodCount; ++good) {
    const MarketRow& row = s.market[static_cast<std::size_t>(good)];
    market.push_back(row.offered
                         ? QStringList{Translated("Goods", GoodAt(good).name), Number(row.price)}
                         : QStringList{QString(), QString()});
  }
  m_drug1->showRows(market, true);
  m_drug1->showSelected(p.infoGood + 1);

  std::vector<QStringList> possession{{tr("Drug"), tr("Price"), tr("Count")}};
  for (const Lot& lot : s.possession) {
    possession.push_back(lot.empty() ? QStringList{QString(), QString(), QString()}
                                     : QStringList{Translated("Goods", GoodAt(lot.good).name),
                                                   Number(lot.price), Number(lot.count)});
  }
  m_drug2->showRows(possession, p.possessionHeaderFixed);

  {
    // The game's own text comes back to the boxes without being sent again.
    const QSignalBlocker quietBuy(m_edtBuy);
    const QSignalBlocker quietSell(m_edtSell);
    m_edtBuy->setText(QString::fromStdString(p.buyText));
    m_edtSell->setText(QString::fromStdString(p.sellText));
  }
  m_edtSell->setEnabled(p.sellEnabled);
  m_btnSell->setEnabled(p.sellEnabled);
  m_btntonysome->setEnabled(p.canPayTony);
  m_btnTonyall->setEnabled(p.canPayTony);
  for (int i = 0; i < kPlaceCount; ++i)
    m_travel[static_cast<std::size_t>(i)]->setEnabled(s.currentPlace != static_cast<Place>(i));

  const QString status = Translated("Status", p.statusText);
  if (statusBar()->currentMessage() != status) statusBar()->showMessage(status);
}

bool MainScreen::event(QEvent* event) {
  // The status line shows only what the game writes there: hovering over the menu must
  // not wipe it.
  if (event->type() == QEvent::StatusTip) return true;
  return QMainWindow::event(event);
}

void MainScreen::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Coming back from the task bar is not a new showing.
  if (!event->spontaneous()) FormShow();
}

void MainScreen::FormShow() {
  refresh();
  CentreOnScreen(*this);
  m_drug1->setFocus();
}

void MainScreen::closeEvent(QCloseEvent* event) {
  if (!m_game.finished()) emit acted(Quit{});
  event->accept();
}

}  // namespace quillmere
