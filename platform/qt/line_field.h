#pragma once

#include <QLineEdit>

namespace круголет {

// A single-line field that takes only what fits its width, as a Windows edit without automatic
// scrolling does: what the user types or pastes is cut from its end until the whole text fits.
// The program's own text is kept whole.
class Однострочное_поле final : public QLineEdit {
  public:
    Однострочное_поле(const QString &текст, QWidget *родитель);

    void задать_текст(const QString &текст);
    // Whether the text, in the field's font, fits the width that the field shows without
    // scrolling.
    bool вмещает(const QString &текст) const;

  private:
    friend class Обрезка_по_ширине;
    QString прежний_; // the text before the change being checked
    bool текст_программы_ = false;
};

} // namespace круголет
