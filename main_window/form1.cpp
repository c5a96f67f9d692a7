#include "form1.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include <array>
#include <string_view>
#include <tuple>
#include <utility>

#include "accessibility/announcer.h"
#include "accessibility/focuskeeper.h"
#include "controls/commandbutton.h"
#include "controls/gothicfont.h"
#include "controls/imagecontrol.h"
#include "controls/labelcontrol.h"
#include "controls/linecontrol.h"
#include "controls/twips.h"
#include "cueplayer.h"
#include "experiment.h"
#include "module1.h"
#include "multimediacontrol.h"
#include "texts.h"
#include "timing/framepacer.h"
#include "timing/timercontrol.h"

namespace {

// ---- The stored layout, in twips ----

constexpr TwipsRect kClientArea{3480, 2040, 9405, 5265};

enum class Look { Sunken, Flat };
enum class Ink { ButtonText, WindowText, Red };

struct Typeface {
  GothicSize size;
  bool bold;
};

constexpr Typeface kSmallRegular{GothicSize::Small, false};
constexpr Typeface kSmallBold{GothicSize::Small, true};
constexpr Typeface kMediumRegular{GothicSize::Medium, false};
constexpr Typeface kMediumBold{GothicSize::Medium, true};
constexpr Typeface kLargeRegular{GothicSize::Large, false};
constexpr Typeface kLargeBold{GothicSize::Large, true};

struct StoredButton {
  const char* name;
  TwipsRect place;
  const char* caption;   // source text, translated when the button is made
  const Typeface* font;  // nullptr: the window's default font
};

constexpr StoredButton kCommand1{"Command1",
                                 {5520, 3960, 2175, 495},
                                 //: Button: counts the card on view as one draw.
                                 QT_TRANSLATE_NOOP("Form1", "Draw"),
                                 &kMediumBold};
constexpr StoredButton kCommand2{"Command2",
                                 {5520, 3360, 2175, 495},
                                 //: Button: starts flipping random cards on view.
                                 QT_TRANSLATE_NOOP("Form1", "Shuffle"),
                                 &kMediumBold};
constexpr StoredButton kCommand3{
    "Command3", {0, 0, 855, 375}, QT_TRANSLATE_NOOP("Form1", "Exit"), nullptr};
constexpr StoredButton kCommand4{"Command4",
                                 {840, 3120, 2175, 495},
                                 //: Button: starts an automatic run of 1000 draws.
                                 QT_TRANSLATE_NOOP("Form1", "AutoStart"),
                                 &kMediumBold};
constexpr StoredButton kCommand5{"Command5",
                                 {840, 3720, 2175, 495},
                                 //: Button: stops the automatic run.
                                 QT_TRANSLATE_NOOP("Form1", "AutoStop"),
                                 &kMediumBold};
constexpr StoredButton kCommand6{"Command6",
                                 {7680, 0, 855, 375},
                                 //: Button: starts the experiment afresh, counts at 0.
                                 QT_TRANSLATE_NOOP("Form1", "Init"),
                                 &kSmallRegular};
constexpr StoredButton kCommand7{
    "Command7", {840, 4440, 2175, 375}, QT_TRANSLATE_NOOP("Form1", "Graph display"), &kSmallBold};
constexpr StoredButton kCommand8{
    "Command8", {6840, 0, 855, 375}, QT_TRANSLATE_NOOP("Form1", "Help"), &kSmallRegular};

struct StoredLabel {
  const char* name;
  TwipsRect place;
  const char* caption;  // source text; numbers and the name are not translated
  Typeface font;
  Ink ink;
  QRgb background;
  Look look;
};

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kLightYellow = 0xFFFFC0;

constexpr StoredLabel kLabel1{"Label1",
                              {240, 1920, 5055, 375},
                              QT_TRANSLATE_NOOP("Form1", "Number of cards in multiples of 3 drawn"),
                              kMediumBold,
                              Ink::ButtonText,
                              kWhite,
                              Look::Sunken};
constexpr StoredLabel kLabel2{
    "Label2",    {240, 2400, 5055, 375}, QT_TRANSLATE_NOOP("Form1", "Total number of cards drawn"),
    kMediumBold, Ink::ButtonText,        kWhite,
    Look::Sunken};
constexpr StoredLabel kLabel3{
    "Label3", {5400, 2400, 1215, 375}, "", kLargeBold, Ink::Red, kWhite, Look::Sunken};
constexpr StoredLabel kLabel4{
    "Label4", {5400, 1920, 1335, 375}, "", kLargeBold, Ink::Red, kWhite, Look::Sunken};
//: The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write
//: the sign a school textbook in your language uses (for example ≈).
constexpr const char* kNearlyEqual = QT_TRANSLATE_NOOP("Form1", "≒");

constexpr StoredLabel kLabel5{"Label5",    {6720, 2160, 495, 375}, kNearlyEqual,
                              kLargeBold,  Ink::ButtonText,        kWhite,
                              Look::Sunken};
constexpr StoredLabel kLabel6{
    "Label6", {7320, 2160, 1815, 375}, "", kLargeBold, Ink::Red, kWhite, Look::Sunken};
constexpr StoredLabel kLabel7{
    "Label7", {6480, 960, 1815, 375}, "", kLargeRegular, Ink::WindowText, kWhite, Look::Flat};
constexpr StoredLabel kLabel8{"Label8",      {5880, 960, 495, 375}, kNearlyEqual,
                              kLargeRegular, Ink::WindowText,       kWhite,
                              Look::Flat};
constexpr StoredLabel kLabel9{
    "Label9", {4560, 720, 1215, 375}, "16", kLargeRegular, Ink::WindowText, kWhite, Look::Flat};
constexpr StoredLabel kLabel10{
    "Label10", {4560, 1200, 1215, 375}, "52", kLargeRegular, Ink::WindowText, kWhite, Look::Flat};
constexpr StoredLabel kLabel11{"Label11",
                               {240, 1200, 4215, 375},
                               QT_TRANSLATE_NOOP("Form1", "Total number of playing cards"),
                               kMediumRegular,
                               Ink::WindowText,
                               kWhite,
                               Look::Flat};
constexpr StoredLabel kLabel12{
    "Label12",
    {240, 720, 4215, 375},
    QT_TRANSLATE_NOOP("Form1", "Total number of cards in multiples of 3"),
    kMediumRegular,
    Ink::WindowText,
    kWhite,
    Look::Flat};
constexpr StoredLabel kLabel13{"Label13",       {1320, 0, 5055, 375}, "Vandrel", kLargeBold,
                               Ink::WindowText, kLightYellow,         Look::Flat};

constexpr TwipsRect kMMControl1{4920, 4800, 3540, 330};
constexpr TwipsRect kFudaban{3720, 3120, 1095, 1575};
constexpr QPoint kLine1From{8520, 360};
constexpr QPoint kLine1To{0, 360};

constexpr std::chrono::milliseconds kTimer1Interval{1};  // as fast as ticks come

// ---- The window's states ----

using State = Form1::State;
using DrawMode = Form1::DrawMode;

// What a state offers: the buttons Command1 to Command8 (Draw, Shuffle, Exit,
// AutoStart, AutoStop, Init, Graph display, Help), each E enabled or D disabled;
// whether Timer1 runs; how its ticks count. Over them all, Shuffle is never
// offered once the ratio history is full (Form1::enter).
struct StateRow {
  State state;
  std::string_view buttons;
  bool timerRuns;
  DrawMode drawMode;
};

// clang-format off
constexpr std::array<StateRow, 6> kStates{{
    // state           Command1-8  Timer1  ticks
    {State::Ready,     "DEEEDDDE", false,  DrawMode::Manual},
    {State::Shuffling, "EDDDDDDD", true,   DrawMode::Manual},
    {State::Drawn,     "DEEEDEEE", false,  DrawMode::Manual},
    {State::Running,   "DDDDEDDD", true,   DrawMode::Automatic},
    {State::Stopped,   "DEEEDEEE", false,  DrawMode::Manual},
    {State::Finished,  "DDEDDEEE", false,  DrawMode::Manual},
}};
// clang-format on

constexpr bool wellFormed(const std::array<StateRow, 6>& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (static_cast<std::size_t>(rows.at(i).state) != i || rows.at(i).buttons.size() != 8 ||
        rows.at(i).buttons.find_first_not_of("ED") != std::string_view::npos) {
      return false;
    }
  }
  return true;
}
static_assert(wellFormed(kStates), "one row per state, in order, with a letter per button");

// ---- Texts the handlers write ----

const char* const kExitTitle = QT_TRANSLATE_NOOP("Form1", "Playing card");
const char* const kExitText = QT_TRANSLATE_NOOP("Form1", "This software will exit.");

// ---- What a screen reader is told ----

// Card n is 13 x suit block + rank: spades, clubs, hearts, diamonds, each ace to king.
constexpr std::array<const char*, 4> kSuits{
    QT_TRANSLATE_NOOP("Form1", "spades"), QT_TRANSLATE_NOOP("Form1", "clubs"),
    QT_TRANSLATE_NOOP("Form1", "hearts"), QT_TRANSLATE_NOOP("Form1", "diamonds")};
constexpr std::array<const char*, 13> kRanks{QT_TRANSLATE_NOOP("Form1", "Ace"),
                                             "2",
                                             "3",
                                             "4",
                                             "5",
                                             "6",
                                             "7",
                                             "8",
                                             "9",
                                             "10",
                                             QT_TRANSLATE_NOOP("Form1", "Jack"),
                                             QT_TRANSLATE_NOOP("Form1", "Queen"),
                                             QT_TRANSLATE_NOOP("Form1", "King")};
//: A card's name for screen readers: %1 its rank, %2 its suit ("Queen of hearts").
const char* const kCardName = QT_TRANSLATE_NOOP("Form1", "%1 of %2");
//: Said after a manual draw: %1 is a card's name.
const char* const kDrewCard = QT_TRANSLATE_NOOP("Form1", "Drew the %1.");
const char* const kRunEnded = QT_TRANSLATE_NOOP("Form1", "The automatic run has ended.");
const char* const kShuffling =
    QT_TRANSLATE_NOOP("Form1", "The cards are being shuffled. Press Draw to draw one.");
const char* const kRunStarted =
    QT_TRANSLATE_NOOP("Form1", "An automatic run of 1000 draws has started.");
const char* const kRunStopped = QT_TRANSLATE_NOOP("Form1", "The automatic run was stopped.");
const char* const kCountsReset =
    QT_TRANSLATE_NOOP("Form1", "The counts are reset to 0. Press Shuffle or AutoStart to begin.");
// The tally is two texts, as a text has room for one plural count: the cards
// drawn ("12 cards") go into the sentence that counts the hits. The verb follows
// the hits alone, so "is a multiple" is said only when exactly one card was, and
// never of a card that was not: "0 of 1 card are multiples of 3".
//: The number of cards drawn ("12 cards"), which the tally "%n of %1 are
//: multiples of 3; ratio %2." puts in as its %1.
const char* const kTallyDrawn = QT_TRANSLATE_N_NOOP("Form1", "%n card(s)");
//: Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is
//: the number drawn as "%n card(s)" gives it ("12 cards"); %2 the ratio as
//: shown (0.4166667). "5 of 12 cards are multiples of 3; ratio 0.4166667."
const char* const kTally = QT_TRANSLATE_N_NOOP("Form1", "%n of %1 are multiples of 3; ratio %2.");

// The one place the core's texts become the window's.
QString text(const std::string& s) { return QString::fromStdString(s); }

QPushButton* makeButton(const StoredButton& stored, const QString& caption, const QLocale& language,
                        QWidget* parent) {
  auto* button = new CommandButton(caption, parent);
  button->setObjectName(QLatin1String(stored.name));
  button->setGeometry(toPixels(stored.place));
  if (stored.font != nullptr) {
    button->setFont(gothicFont(stored.font->size, stored.font->bold, language));
  }
  return button;
}

LabelControl* makeLabel(const StoredLabel& stored, const QString& caption, const QLocale& language,
                        QWidget* parent, Announcer* announcer) {
  auto* label = new LabelControl(parent);
  label->setAnnouncer(announcer);
  label->setCaption(caption);
  label->setObjectName(QLatin1String(stored.name));
  label->setGeometry(toPixels(stored.place));
  label->setFont(gothicFont(stored.font.size, stored.font.bold, language));
  if (stored.look == Look::Sunken) {
    label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  } else {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
  }
  QPalette palette = label->palette();
  switch (stored.ink) {
    case Ink::ButtonText:
      palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
      break;
    case Ink::WindowText:
      break;
    case Ink::Red:
      palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
      break;
  }
  palette.setColor(QPalette::Window, QColor(stored.background));
  label->setPalette(palette);
  return label;
}

}  // namespace

Form1::Form1(Module1& shared, const QLocale& language)
    : shared_(shared), separator_(language.decimalPoint().toStdString()) {
  buildLayout(language);
  connectTimer1();
  load();
}

void Form1::buildLayout(const QLocale& language) {
  setWindowTitle(QStringLiteral("Vandrel") + QChar(0x3000));
  setWindowIcon(QIcon(QStringLiteral(":/icons/vandrel.png")));
  setGeometry(toPixels(kClientArea));
  pacer_ = new FramePacer(this);
  announcer_ = new Announcer(this);

  Line1 = new LineControl(toPixels(kLine1From), toPixels(kLine1To), this);

  // The buttons in the order of their numbers, each with its command.
  const std::array<std::tuple<const StoredButton&, QPushButton*&, void (Form1::*)()>, 8> buttons{{
      {kCommand1, Command1, &Form1::draw},
      {kCommand2, Command2, &Form1::shuffle},
      {kCommand3, Command3, &Form1::exitProgram},
      {kCommand4, Command4, &Form1::autoStart},
      {kCommand5, Command5, &Form1::autoStop},
      {kCommand6, Command6, &Form1::init},
      {kCommand7, Command7, &Form1::graphDisplay},
      {kCommand8, Command8, &Form1::help},
  }};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const auto& [stored, control, command] = buttons.at(i);
    control = makeButton(stored, tr(stored.caption), language, this);
    connect(control, &QPushButton::clicked, this, command);
    commands_.at(i) = control;
  }

  const std::array<std::pair<const StoredLabel&, LabelControl*&>, 13> labels{{
      {kLabel1, Label1},
      {kLabel2, Label2},
      {kLabel3, Label3},
      {kLabel4, Label4},
      {kLabel5, Label5},
      {kLabel6, Label6},
      {kLabel7, Label7},
      {kLabel8, Label8},
      {kLabel9, Label9},
      {kLabel10, Label10},
      {kLabel11, Label11},
      {kLabel12, Label12},
      {kLabel13, Label13},
  }};
  for (const auto& [stored, control] : labels) {
    control = makeLabel(stored, tr(stored.caption), language, this, announcer_);
  }

  MMControl1 = new MultimediaControl(this);
  MMControl1->setObjectName(QStringLiteral("MMControl1"));
  MMControl1->setGeometry(toPixels(kMMControl1));
  MMControl1->hide();

  for (int index = 1; index <= kCardCount; ++index) {
    const QString face = QStringLiteral(":/cards/card%1.bmp").arg(index, 2, 10, QChar('0'));
    auto* image = new ImageControl(face, toPixels(kFudaban), this);
    image->setObjectName(QStringLiteral("fudaban%1").arg(index));
    image->setAccessibleName(cardName(static_cast<std::int16_t>(index)));
    image->setAnnouncer(announcer_);
    fudaban.at(static_cast<std::size_t>(index)) = image;
  }

  // Tab goes through the buttons in the order of their numbers, with the hidden
  // cue control after Exit, where Tab skips it. The labels and card images take
  // no focus.
  QWidget* previous = nullptr;
  auto chain = [&previous](QWidget* next) {
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, next);
    }
    previous = next;
  };
  for (QPushButton* button : commands_) {
    chain(button);
    if (button == Command3) {
      chain(MMControl1);
    }
  }

  Timer1 = new TimerControl(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kTimer1Interval);
}

void Form1::connectTimer1() {
  connect(Timer1, &TimerControl::timeout, this, &Form1::timerTick);
  // A screen shows some sixty of the thousand ticks a second: while Timer1
  // runs, the window is painted once per display frame, and at once when it stops.
  connect(Timer1, &TimerControl::runningChanged, pacer_, &FramePacer::setHeld);
  // and screen readers are told of the changes at a reader's pace.
  connect(Timer1, &TimerControl::runningChanged, announcer_, &Announcer::setHeld);
  connect(pacer_, &FramePacer::framing, this, &Form1::showCardDrawn);
  connect(pacer_, &FramePacer::framing, this, &Form1::showTally);
}

bool Form1::historyFull() const { return shared_.trialCount >= kHistoryLast; }

void Form1::load() {
  reset();
  Label7->setCaption(text(theoreticalProbabilityText(separator_)));
  enter(State::Ready);
}

void Form1::reset() {
  tally_.currentCard = 0;
  for (cardIndex_ = 2; cardIndex_ <= kCardCount; ++cardIndex_) {
    card(cardIndex_)->setShown(false);
  }
  card(1)->setShown(true);
  cardFollows_ = false;
  shared_.trialCount = 0;
  Label3->setCaption(text(plainText(shared_.trialCount)));
  tally_.hitCount = 0;
  Label4->setCaption(text(plainText(tally_.hitCount)));
  Label6->setCaption(QString());
}

void Form1::enter(State state) {
  const StateRow& row = kStates.at(static_cast<std::size_t>(state));
  const std::array<QPushButton*, 8>& buttons = commands_;
  auto offered = [&](std::size_t i) {
    // Once the last place in the history is taken, no more manual draws.
    return row.buttons.at(i) == 'E' && !(buttons.at(i) == Command2 && historyFull());
  };
  // On first, then the focus moved off what goes off, then off: the focus moves
  // once, to where the command leaves it.
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (offered(i)) {
      buttons.at(i)->setEnabled(true);
    }
  }
  keepFocus(this, [&](const QWidget* control) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (buttons.at(i) == control) {
        return !offered(i);
      }
    }
    return false;
  });
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (!offered(i)) {
      buttons.at(i)->setEnabled(false);
    }
  }
  drawMode_ = row.drawMode;
  if (row.timerRuns) {
    // The screen shows a frame's ticks together, so they wake the program
    // together. The pacer paints once a whole frame has passed since the last:
    // a millisecond more and a slightly late wake still finds its frame due,
    // and paints it, rather than leaving it to a wake of its own.
    Timer1->setGathering(std::chrono::ceil<std::chrono::milliseconds>(pacer_->frameInterval()) +
                         std::chrono::milliseconds(1));
    Timer1->start();
  } else {
    Timer1->stop();
    showCardDrawn();
    showTally();
  }
}

void Form1::shuffle() {
  enter(State::Shuffling);
  announcer_->tell(focusWidget(), tr(kShuffling));
}

void Form1::draw() {
  // A Draw quicker than the first tick would find no card on view, and card 0
  // would count as a multiple of 3: draw and show one first, as a tick would.
  if (tally_.currentCard == 0) {
    showNewCard();
  }
  const ManualTrial trial = countManualTrial(shared_, tally_);
  enter(State::Drawn);
  if (!trial.counted) {
    announcer_->tell(focusWidget(), QString());
    return;
  }
  Label3->setCaption(text(signedBlankText(trial.trialCount)));
  if (trial.hit) {
    Label4->setCaption(text(signedBlankText(tally_.hitCount)));
  }
  Label6->setCaption(ratioShown(trial.ratio));
  announcer_->tell(focusWidget(), tr(kDrewCard).arg(cardName(tally_.currentCard)) +
                                      QLatin1Char(' ') + tallyText(trial.ratio));
}

QString Form1::tallyText(float ratio) const {
  return tr(kTally, nullptr, tally_.hitCount)
      .arg(tr(kTallyDrawn, nullptr, shared_.trialCount), ratioShown(ratio));
}

QString Form1::ratioShown(float ratio) const { return text(ratioText(ratio, separator_)); }

QString Form1::cardName(std::int16_t card) const {
  const auto block = static_cast<std::size_t>(card - 1) / kRanks.size();
  const auto rank = static_cast<std::size_t>(rankOf(card) - 1);
  return tr(kCardName).arg(tr(kRanks.at(rank)), tr(kSuits.at(block)));
}

void Form1::autoStart() {
  enter(State::Running);
  announcer_->tell(focusWidget(), tr(kRunStarted));
}

void Form1::autoStop() {
  enter(State::Stopped);
  announcer_->tell(focusWidget(),
                   tr(kRunStopped) + QLatin1Char(' ') + tallyText(shared_.lastRatio()));
}

void Form1::init() {
  playCue(*MMControl1, QString::fromLatin1(kPinponCue));
  reset();
  enter(State::Ready);
  announcer_->tell(focusWidget(), tr(kCountsReset));
}

void Form1::showNewCard() {
  tally_.currentCard = drawCard(random_, timeOfDay_);
  // A screen shows some sixty of the thousand cards a second: raising an
  // image for each would cost more than the rest of a tick.
  if (!cardFollows_) {
    cardFollows_ = true;
    update(toPixels(kFudaban));
  }
}

void Form1::showCardDrawn() {
  if (!cardFollows_) {
    return;
  }
  cardFollows_ = false;
  for (cardIndex_ = 1; cardIndex_ <= kCardCount; ++cardIndex_) {
    card(cardIndex_)->setShown(false);
  }
  card(tally_.currentCard)->setShown(true);
}

void Form1::timerTick() {
  showNewCard();
  if (drawMode_ != DrawMode::Automatic) {
    return;
  }
  const AutomaticTrial trial = countAutomaticTrial(shared_, tally_);
  const float ratio = storeRatio(shared_, tally_);
  tallyFollows_ = true;
  hitsFollow_ = hitsFollow_ || trial.hit;
  // The tick after the last draw ends the run and paints its frame; it is
  // not gathered past its time, so that the run ends on the second.
  const auto runLeft = (kAutomaticRunLength - shared_.trialCount + 1) * kTimer1Interval;
  pacer_->expectReleaseWithin(runLeft);
  if (runLeft < Timer1->gathering()) {
    Timer1->setGathering(runLeft);
  }
  // Only the tick that ends a run changes the buttons or has a result to tell.
  if (trial.ended) {
    enter(State::Finished);
    announcer_->tell(focusWidget(), tr(kRunEnded) + QLatin1Char(' ') + tallyText(ratio));
  }
}

void Form1::showTally() {
  if (!tallyFollows_) {
    return;
  }
  tallyFollows_ = false;
  // Label4 is written only by a hit, and so keeps a Draw's leading space until one.
  if (hitsFollow_) {
    hitsFollow_ = false;
    Label4->setCaption(text(plainText(tally_.hitCount)));
  }
  Label3->setCaption(text(plainText(shared_.trialCount)));
  Label6->setCaption(ratioShown(shared_.lastRatio()));
}

void Form1::graphDisplay() {
  hide();
  emit graphRequested();
}

void Form1::help() {
  playCue(*MMControl1, QString::fromLatin1(kPinponCue));
  emit helpRequested();
}

void Form1::exitProgram() {
  playCue(*MMControl1, QString::fromLatin1(kEndPinponCue));
  auto* box =
      new QMessageBox(QMessageBox::NoIcon, tr(kExitTitle), tr(kExitText), QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
#if defined(Q_OS_WASM)
  // A page cannot wait in an event loop of its own, so the answer comes later.
  box->setWindowModality(Qt::ApplicationModal);
  connect(box, &QMessageBox::finished, this, &Form1::exitAnswered);
  box->show();
#else
  exitAnswered(box->exec());
#endif
}

void Form1::exitAnswered(int answer) {
  exitAnswer_ = answer;
  if (exitAnswer_ == QMessageBox::Ok) {
    emit endRequested();
  }
}
