#include "platform/qt/line_field.h"

#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

#include <algorithm>

namespace круголет {

namespace {

// QLineEdit keeps this much free on either side of its text inside its contents, and scrolls
// as soon as the text and the one-pixel cursor after it are wider than the rest.
constexpr int поле_строки = 2;
constexpr int курсор_строки = 1;

} // namespace

// A change is checked once made, with the text as it now stands and the cursor after what was
// typed or pasted; what follows the cursor is as it was before.
class Обрезка_по_ширине final : public QValidator {
  public:
    explicit Обрезка_по_ширине(Однострочное_поле &поле) : QValidator(&поле), поле_(поле) {}

    State validate(QString &текст, int &курсор) const override {
        if (поле_.текст_программы_ || поле_.вмещает(текст))
            return Acceptable;
        const QString &прежний = поле_.прежний_;
        const auto общее =
            std::mismatch(текст.begin(), текст.end(), прежний.begin(), прежний.end());
        const qsizetype после = текст.size() - курсор;
        const qsizetype начало = std::max<qsizetype>(
            0, std::min<qsizetype>({общее.first - текст.begin(), прежний.size() - после, курсор}));
        qsizetype конец = курсор;
        while (конец > начало && !поле_.вмещает(текст.left(конец) + текст.mid(курсор)))
            конец -= текст.at(конец - 1).isLowSurrogate() && конец - 2 >= начало ? 2 : 1;
        текст = текст.left(конец) + текст.mid(курсор);
        курсор = static_cast<int>(конец);
        return Acceptable;
    }

  private:
    Однострочное_поле &поле_;
};

Однострочное_поле::Однострочное_поле(const QString &текст, QWidget *родитель)
    : QLineEdit(текст, родитель), прежний_(текст) {
    setValidator(new Обрезка_по_ширине(*this));
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString &новый) { прежний_ = новый; });
}

void Однострочное_поле::задать_текст(const QString &текст) {
    const QScopedValueRollback<bool> своё(текст_программы_, true);
    setText(текст);
}

bool Однострочное_поле::вмещает(const QString &текст) const {
    QStyleOptionFrame рамка;
    initStyleOption(&рамка);
    const QRect содержимое = style()
                                 ->subElementRect(QStyle::SE_LineEditContents, &рамка, this)
                                 .marginsRemoved(textMargins());
    return fontMetrics().horizontalAdvance(текст) <=
           содержимое.width() - 2 * поле_строки - курсор_строки;
}

} // namespace круголет
