#pragma once

#include "main/LinkListModel.h"
#include "main/Principal.h"
#include "store/GroupTable.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"

#include "FakePlatform.h"
#include "TempFolder.h"

#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A fresh catalogue in its own folder, and the main window over it.
class MainWindowFixture : public ::testing::Test
{
protected:
    TempFolder folder;
    FakePlatform platform;
    std::unique_ptr<TMD> md = std::make_unique<TMD>(platform, folder.path());
    std::unique_ptr<TFormPrincipal> window;

    qint64 addLink(const QString& titulo, const QString& direccion, const QString& codgrupo = {},
        const QString& prioridad = QStringLiteral("000"), const QString& tipo = {},
        const QString& navegador = {})
    {
        Link link;
        link.titulo = titulo;
        link.direccion = direccion;
        link.codgrupo = codgrupo;
        link.prioridad = prioridad;
        link.tipo = tipo;
        link.navegador = navegador;
        link.nicono = 1;
        const qint64 id = md->PostDireccion(link);
        platform.clock = platform.clock.addSecs(1);
        return id;
    }

    void addGroup(const QString& code, const QString& name)
    {
        GroupTable(md->Enlaces()).insert({code, name});
    }

    void setSetting(const QString& column, const QVariant& value)
    {
        md->Enlaces().execute(QStringLiteral("update constantes set %1 = ?").arg(column), {value});
        md->CargarConstantes();
    }

    void openWindow()
    {
        window = std::make_unique<TFormPrincipal>(*md);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template<typename T> T* find(const char* name) const
    {
        T* child = window->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QTableView* grid() const { return find<QTableView>("DBGrid1"); }

    QStringList listed(int column = LinkListModel::Titulo) const
    {
        QStringList texts;
        const QAbstractItemModel* model = grid()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }
};
