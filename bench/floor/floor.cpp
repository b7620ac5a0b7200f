// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Bitovka's main window made the plainest way Qt Widgets allows: the same
// fixed 360 x 358 window, nine raised frames, twelve big coloured zeros and
// nine buttons, with nothing of Bitovka's own. What Bitovka takes to start
// beyond this window is its own; the rest is Qt's.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>

namespace {

struct Row {
    int y;
    Qt::GlobalColor colour;
};

struct Button {
    int x;
    int y;
    const char *caption;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(360, 358);

    const std::array<QRect, 9> frames{{{16, 16, 89, 57},
                                       {16, 88, 89, 57},
                                       {16, 288, 89, 57},
                                       {128, 16, 209, 57},
                                       {128, 88, 209, 57},
                                       {128, 288, 209, 57},
                                       {16, 160, 321, 41},
                                       {112, 208, 225, 73},
                                       {16, 208, 89, 73}}};
    for (const QRect &r : frames) {
        auto *frame = new QFrame(&window);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setGeometry(r);
    }

    QFont digits(QStringLiteral("Arial"));
    digits.setBold(true);
    digits.setPixelSize(43);
    const std::array<Row, 3> rows{{{20, Qt::blue}, {92, Qt::red}, {292, Qt::yellow}}};
    for (const Row &row : rows) {
        for (const int x : {48, 160, 216, 272}) {
            auto *label = new QLabel(QStringLiteral("0"), &window);
            label->setFont(digits);
            QPalette p = label->palette();
            p.setColor(QPalette::WindowText, row.colour);
            label->setPalette(p);
            label->setGeometry(x, row.y, 24, 51);
        }
    }

    const std::array<Button, 9> buttons{{{24, 168, "&Generuj"},
                                         {128, 168, "&Disjunkce"},
                                         {240, 168, "&Nerovnost"},
                                         {128, 216, "<<"},
                                         {240, 216, ">>"},
                                         {128, 248, "&Konjunkce"},
                                         {240, 248, "K&omplement"},
                                         {24, 216, "&Větší"},
                                         {24, 248, "&Menší"}}};
    for (const Button &b : buttons)
        (new QPushButton(QString::fromUtf8(b.caption), &window))->setGeometry(b.x, b.y, 75, 25);

    window.show();
    return QApplication::exec();
}
