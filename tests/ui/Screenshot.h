// Window tests save what they drive as pictures when JW_SHOTS_DIR is set
// (scripts/take-screenshots); otherwise nothing is written.
#pragma once

#include <QTest>
#include <QWidget>

namespace jw::test {

inline void Shot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("JW_SHOTS_DIR");
    if (!folder.isEmpty()) {
        QTest::qWait(30);  // charts and late layouts settle first
        window.grab().save(folder + "/" + name + ".png");
    }
}

}  // namespace jw::test
