#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class WaveOutput;

// The multimedia control that plays the cues: a hidden control driven, like the
// component it stands in for, by property puts addressed by dispatch id. Under
// it, Qt Multimedia plays the opened wave file.
//
// It never reports a failure and never waits: a missing, unreadable or
// malformed file, or a machine without sound, leaves a cue silent and the
// caller going on at once.
class MultimediaControl : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDispIdFileName = 22;
  static constexpr int kDispIdCommand = 23;

  explicit MultimediaControl(QWidget* parent);
  ~MultimediaControl() override;

  void put(int dispId, const QString& value);

  // The file that the last "Open" resolved to; empty when none could be opened.
  QString openedPath() const { return openedPath_; }
  bool isSounding() const;

 signals:
  void propertyPut(int dispId, const QString& value);
  void opened(const QString& path);
  void sounded(const QString& path);

 private:
  void runCommand(const QString& verb);
  void open();

  std::unique_ptr<WaveOutput> effect_;
  QString fileName_;
  QString openedPath_;
};
