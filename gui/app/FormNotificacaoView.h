#pragma once

#include <QWidget>

class QLabel;
class TFormNotificacao;

// The busy notice: a borderless window whose one panel shows the message in large,
// bold green letters on silver.
class FormNotificacaoView final : public QWidget {
    Q_OBJECT
public:
    FormNotificacaoView(const TFormNotificacao& logic, QWidget* anchor);

    // Takes the logic's text and draws it at once (the caller is busy).
    void render();
    QString message() const;

private:
    const TFormNotificacao& logic_;
    QLabel* pnMensagem_;
};
