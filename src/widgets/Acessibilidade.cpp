#include "widgets/Acessibilidade.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QWidget>

namespace {

const char *const propriedadeFigura = "sorvaneFigura";

class NomeSobDemanda : public QObject {
public:
    NomeSobDemanda(std::function<QString()> nome, QObject *pai)
        : QObject(pai), calcular(std::move(nome))
    {
    }
    std::function<QString()> calcular;
};

const NomeSobDemanda *nomeSobDemanda(const QObject *seletor)
{
    for (const QObject *filho : seletor->children()) {
        if (const auto *nome = dynamic_cast<const NomeSobDemanda *>(filho))
            return nome;
    }
    return nullptr;
}

// A chooser: its name (set, computed or its label's), its current text as its value, its list
// as its one child, and the actions that open and close the list.
class SeletorAcessivel : public QAccessibleWidget {
public:
    explicit SeletorAcessivel(QComboBox *caixa) : QAccessibleWidget(caixa, QAccessible::ComboBox) {}

    QString text(QAccessible::Text tipo) const override
    {
        if (tipo == QAccessible::Value)
            return caixa()->currentText();
        if (tipo == QAccessible::Name && caixa()->accessibleName().isEmpty()) {
            if (const NomeSobDemanda *nome = nomeSobDemanda(caixa()))
                return nome->calcular();
        }
        return QAccessibleWidget::text(tipo);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int indice) const override
    {
        return indice == 0 ? QAccessible::queryAccessibleInterface(caixa()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *filho) const override
    {
        return filho && filho->object() == caixa()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.expandable = true;
        // The list is built when first shown; asking for it here would build every list.
        const auto *lista = caixa()->findChild<QAbstractItemView *>();
        estado.expanded = lista && lista->isVisible();
        return estado;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &acao) override
    {
        if (acao != showMenuAction() && acao != pressAction())
            return QAccessibleWidget::doAction(acao);
        if (state().expanded)
            caixa()->hidePopup();
        else
            caixa()->showPopup();
    }

private:
    QComboBox *caixa() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *fabrica(const QString &classe, QObject *objeto)
{
    if (classe == QLatin1String("QComboBox"))
        return new SeletorAcessivel(static_cast<QComboBox *>(objeto));
    if (classe == QLatin1String("QWidget") && objeto->property(propriedadeFigura).toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(objeto), QAccessible::Graphic);
    return nullptr;
}

} // namespace

void instalarAcessibilidade()
{
    static bool instalada = false;
    if (!instalada)
        QAccessible::installFactory(fabrica);
    instalada = true;
}

void nomear(QWidget *controle, const QString &nome, const QString &descricao)
{
    if (controle->accessibleName() != nome)
        controle->setAccessibleName(nome);
    if (controle->accessibleDescription() != descricao)
        controle->setAccessibleDescription(descricao);
}

void nomearSobDemanda(QWidget *seletor, std::function<QString()> nome)
{
    new NomeSobDemanda(std::move(nome), seletor);
}

void tratarComoFigura(QWidget *figura)
{
    figura->setProperty(propriedadeFigura, true);
}

void avisarMudancaDeNome(QWidget *controle)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent evento(controle, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&evento);
}
