// The launcher's six category buttons as Qt widgets in a grid, a checkable
// "Shuffle" button, and a label that names the last button clicked.
// With --check it clicks every button itself and exits 0 when each click
// reached the label and Shuffle toggled (for runs without a person, e.g.
// QT_QPA_PLATFORM=offscreen).
#include <QtWidgets/QApplication>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QWidget>

#include <candybutton/qt/qcandybutton.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool check = app.arguments().contains(QStringLiteral("--check"));

  QWidget window;
  window.setWindowTitle(QStringLiteral("CandyButton in Qt"));
  auto* grid = new QGridLayout(&window);
  auto* label = new QLabel(QStringLiteral("Click a button"));
  grid->addWidget(label, 0, 0, 1, 3);

  // Captions as the launcher shows them, each in another style and scheme.
  const char* captions[] = {"Programs", "Music", "Video", "Pictures", "Ultilities", "Settings"};
  std::vector<candy::QCandyButton*> buttons;
  for (int i = 0; i < 6; ++i) {
    auto* button = new candy::QCandyButton(QString::fromUtf8(captions[i]));
    button->setButtonStyle(i + 1);
    button->setColorScheme(i + 1);
    button->setFont(QFont(QStringLiteral("Tahoma"), 9));
    QObject::connect(button, &QAbstractButton::clicked, label, [label, button] {
      label->setText(button->text() + QStringLiteral(" clicked"));
    });
    grid->addWidget(button, 1 + i / 3, i % 3);
    buttons.push_back(button);
  }
  auto* shuffle = new candy::QCandyButton(QStringLiteral("Shuffle"));
  shuffle->setCheckable(true);
  shuffle->setButtonStyle(3);
  shuffle->setColorScheme(4);
  QObject::connect(shuffle, &QAbstractButton::toggled, label, [label](bool on) {
    label->setText(on ? QStringLiteral("Shuffle on") : QStringLiteral("Shuffle off"));
  });
  grid->addWidget(shuffle, 3, 1);
  window.show();

  if (!check) return app.exec();
  for (candy::QCandyButton* button : buttons) {
    button->click();
    if (label->text() != button->text() + QStringLiteral(" clicked")) {
      std::fprintf(stderr, "qt-candybutton: clicking %s did not reach the label\n",
                   qPrintable(button->text()));
      return 1;
    }
  }
  shuffle->click();
  if (!shuffle->isChecked() || label->text() != QStringLiteral("Shuffle on")) {
    std::fprintf(stderr, "qt-candybutton: Shuffle did not toggle\n");
    return 1;
  }
  // The shaped styles are masked to their outline.
  if (buttons[1]->mask().isEmpty() || buttons[1]->mask().contains(QPoint(1, 1))) {
    std::fprintf(stderr, "qt-candybutton: the rounded button has no mask\n");
    return 1;
  }
  std::puts("qt-candybutton: every button clicked, Shuffle toggled");
  return 0;
}
