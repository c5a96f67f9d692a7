#include "controls/imagecontrol.h"

#include <QAccessible>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include "accessibility/accessiblefactory.h"
#include "accessibility/accessibletext.h"
#include "accessibility/announcer.h"
#include "controls/plainbitmap.h"

namespace {

// A picture, by the name the window gives it, hidden while it is not shown.
QAccessibleInterface* accessibleImage(const QString& className, QObject* object) {
  if (className != QLatin1String("ImageControl")) {
    return nullptr;
  }
  auto* image = static_cast<ImageControl*>(object);
  return new AccessibleText(image, QAccessible::Graphic, {}, [image] { return image->isShown(); });
}

}  // namespace

ImageControl::ImageControl(const QString& pictureFile, const QRect& place, QWidget* parent)
    : QWidget(parent), pictureFile_(pictureFile) {
  setGeometry(place);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  installAccessibleFactory(accessibleImage);
}

void ImageControl::prepare() {
  if (prepared_) {
    return;
  }
  prepared_ = true;
  // Stretched by repeating pixels rather than blending them, so the picture
  // keeps pure colours and hard edges at any screen density.
  const qreal ratio = devicePixelRatioF();
  QFile file(pictureFile_);
  QImage picture = file.open(QIODevice::ReadOnly) ? readPlainBitmap(file.readAll()) : QImage();
  if (picture.isNull()) {
    picture.load(pictureFile_);
  }
  QImage stretched = picture.scaled(size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                         .convertToFormat(QImage::Format_RGB32);
  stretched.setDevicePixelRatio(ratio);
  stretched_ = QPixmap::fromImage(stretched);
}

// Images stacked in one place are not all painted: the first that is prepares
// them all, once the frame it is part of has gone out.
void ImageControl::prepareAfterThisFrame() {
  QWidget* window = parentWidget();
  if (window == nullptr) {
    QTimer::singleShot(0, this, &ImageControl::prepare);
    return;
  }
  QTimer::singleShot(0, window, [window] {
    for (ImageControl* image : window->findChildren<ImageControl*>(Qt::FindDirectChildrenOnly)) {
      image->prepare();
    }
  });
}

void ImageControl::setShown(bool shown) {
  if (shown == shown_) {
    return;
  }
  shown_ = shown;
  if (shown) {
    raise();
  }
  update();
  Announcer::announce(announcer_, this, [this] { announceShown(); });
}

void ImageControl::setAnnouncer(Announcer* announcer) { announcer_ = announcer; }

void ImageControl::announceShown() {
  if (announcedShown_ == shown_) {
    return;
  }
  QAccessible::State changed;
  changed.invisible = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
  announcedShown_ = shown_;
}

void ImageControl::paintEvent(QPaintEvent* /*event*/) {
  if (!prepared_ && !prepareAsked_) {
    prepareAsked_ = true;
    prepareAfterThisFrame();
  }
  QPainter painter(this);
  if (shown_) {
    prepare();
    painter.drawPixmap(QPoint(0, 0), stretched_);
  } else {
    painter.fillRect(rect(), palette().window());
  }
}
