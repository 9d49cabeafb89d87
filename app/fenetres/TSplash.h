#pragma once
#include <QFrame>

// The window shown while the other windows are created.
class TSplash : public QFrame {
    Q_OBJECT
public:
    explicit TSplash(QWidget* parent = nullptr);
};
