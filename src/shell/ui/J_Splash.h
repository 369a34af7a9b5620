// TfrmJSplashForm: the borderless picture shown on top, centred on the
// screen, while the game starts.
#pragma once

#include <QImage>
#include <QWidget>

#include "presentation/ui/QtPicture.h"

namespace jw {

class ResourceStore;

class TfrmJSplashForm : public QWidget {
  public:
    // Shows the "SPLASH" picture of the library; without one, a plain
    // picture with the program's name.
    explicit TfrmJSplashForm(const ResourceStore& resources);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture;
};

}  // namespace jw
