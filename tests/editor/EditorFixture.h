#pragma once

#include "editor/AltaDirecciones.h"
#include "store/MDatos.h"

#include "FakePlatform.h"
#include "TempFolder.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A fresh catalogue whose files all show a blue icon, and the link editor over it.
class EditorFixture : public ::testing::Test
{
protected:
    TempFolder folder;
    FakePlatform platform;
    TMD md {platform, folder.path()};
    std::unique_ptr<TFormAltaDirecciones> editor;

    EditorFixture()
    {
        platform.fileIcon = QImage(32, 32, QImage::Format_ARGB32);
        platform.fileIcon.fill(Qt::blue);
    }

    void open(const QString& modo, qint64 id = 0)
    {
        editor = std::make_unique<TFormAltaDirecciones>(md);
        editor->Modo = modo;
        editor->IdEnlace = QString::number(id);
        editor->show();
        editor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }

    template<typename T> T* child(const char* name) const
    {
        T* found = editor->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    void click(const char* name) const { child<QPushButton>(name)->click(); }

    QString file(const QString& name, const QByteArray& bytes = "x")
    {
        const QString path = folder.file(name);
        QFile created(path);
        created.open(QIODevice::WriteOnly);
        created.write(bytes);
        return path;
    }
};
