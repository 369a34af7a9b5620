// The layout editor's two small windows: the options of a layout (face up
// or down, the remove rule) and the always-on-top "Layout information"
// with the counts that finish a valid layout.
#pragma once

#include <QDialog>
#include <QWidget>
#include <array>

#include "layouts/LayoutEditor.h"

class QLabel;
class QRadioButton;

namespace jw {

class TfrmJLayoutOptions : public QDialog {
    Q_OBJECT
  public:
    TfrmJLayoutOptions(bool faceDown, int removeRule, QWidget* parent = nullptr);
    bool FaceDown() const;
    int RemoveRule() const;
    QRadioButton* FaceDownButton() const { return faceDownButton; }
    QRadioButton* AlwaysButton() const { return alwaysButton; }

  private:
    QRadioButton* faceDownButton = nullptr;
    QRadioButton* alwaysButton = nullptr;
};

// The values the information window shows, in its order.
struct LayoutInformation {
    int levels = 0;
    int tiles = 0;
    EditorCounts counts;
    bool faceDown = false;
};

class TfrmJInfoLayoutEditor : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmJInfoLayoutEditor(QWidget* parent = nullptr);
    void Show(const LayoutInformation& information);
    // The value texts, for the window's tests.
    QString Value(int line) const;

  private:
    std::array<QLabel*, 7> values{};
};

}  // namespace jw
