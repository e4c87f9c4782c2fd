#pragma once

#include <QMainWindow>

class TMD;

// The main window: the catalogue's list of links.
class TFormPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormPrincipal(TMD& md, QWidget* parent = nullptr);

private:
    TMD& m_md;
};
