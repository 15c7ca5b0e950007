// A tool slot of the collected-tools window: a framed box that may carry an
// outside program packaged into the executable. A double-click on a filled
// slot starts its program as a separate, detached process (explicit path, no
// arguments, no shell) and does not wait for it. An empty slot does nothing.
#pragma once

#include <QFrame>
#include <QString>

namespace quorvil {

class ToolSlot : public QFrame {
    Q_OBJECT

public:
    // `name` is the design name of the slot ("OLE3"); its program, if the
    // build packaged one, is the resource :/slots/<name>/<file>.
    ToolSlot(QWidget* parent, const QString& name);

    bool isFilled() const { return !resource_.isEmpty(); }
    QString programName() const;

    // Extracts the program to a private temporary folder and starts it.
    // Returns whether a process was started.
    bool start();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString resource_;  // empty for an empty slot
};

}  // namespace quorvil
