#pragma once

#include <QBasicTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

// What a window tells a screen reader, and when.
//
// The result of a command goes where the reader already is: into the accessible
// description of the control that holds the focus once the command is done, and
// on no other control of the window; when the focus moves on, the result goes
// with it, so nothing stale stays to be read later.
//
// A control's own changes (a label's caption, a card shown) go out at once, or,
// while the announcer is held (during a run), at a reader's pace: at most every
// 100 ms, each with the control's latest state, and at once when released.
class Announcer : public QObject {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);

  // Held, the controls' changes wait for the next batch; released, they go now.
  void setHeld(bool held);

  // Sends `announce` now, or while `announcer` is held with its next batch; a
  // control's later announcement replaces an earlier one still waiting. A
  // control with no announcer announces at once; with no screen reader active,
  // nothing is sent.
  static void announce(Announcer* announcer, QObject* control,
                       const std::function<void()>& announce);

  // Tells `result` on `holder`, the control that will hold the focus, and takes
  // the result told before off whichever control carried it.
  void tell(QWidget* holder, const QString& result);

  // What the reader was last told, and on which control.
  QString told() const { return told_; }
  QWidget* teller() const { return teller_; }

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  void defer(QObject* control, const std::function<void()>& announce);
  void announceNow();

  QBasicTimer batch_;
  QHash<QObject*, std::pair<QPointer<QObject>, std::function<void()>>> waiting_;
  QPointer<QWidget> teller_;
  QString told_;
  bool held_ = false;
};
