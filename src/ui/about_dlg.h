#ifndef LUMOX_UI_ABOUT_DLG_H
#define LUMOX_UI_ABOUT_DLG_H

#include <QDialog>

namespace lumox {

// The About box: the program icon, "Lumox, v3.0, Equation Fitting Tools" and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace lumox

#endif
