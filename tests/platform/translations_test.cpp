// Qt's own texts (context menus, standard buttons) come out in Spanish.
#include <gtest/gtest.h>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <memory>

#include "platform/translations.h"

namespace {

QStringList Texts(QMenu& menu) {
    QStringList texts;
    for (QAction* a : menu.actions())
        if (!a->isSeparator()) texts << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    return texts;
}

TEST(QtSpanish, StandardContextMenusAndButtonsAreSpanish) {
    const plat::QtSpanish spanish;
    ASSERT_TRUE(spanish.Loaded()) << spanish.File().toStdString();

    QLineEdit box;
    box.setText(QStringLiteral("12.5"));
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    EXPECT_EQ(Texts(*menu),
              (QStringList{"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Borrar", "Seleccionar todo"}));

    QTextEdit pane;
    pane.setPlainText(QStringLiteral("F = 5 N"));
    std::unique_ptr<QMenu> paneMenu(pane.createStandardContextMenu());
    EXPECT_TRUE(Texts(*paneMenu).contains(QStringLiteral("Seleccionar todo")))
        << Texts(*paneMenu).join(", ").toStdString();

    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Cancelar"));
}

}  // namespace
