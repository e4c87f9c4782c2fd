#pragma once

#include <QFlags>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QMimeData;
class QWidget;

// What a drop brought: the dropped files, or a web address with an optional title.
struct DroppedLinks
{
    QStringList Files;
    QString URL;
    QString Title;
};

// The kinds of dragged data a drop target takes.
enum class DropFormat { Text = 0x1, File = 0x2, URL = 0x4, Bitmap = 0x8, MetaFile = 0x10, Data = 0x20 };
Q_DECLARE_FLAGS(DropFormats, DropFormat)
Q_DECLARE_OPERATORS_FOR_FLAGS(DropFormats)

constexpr DropFormats AllDropFormats = DropFormats(0x3F);

// The files, address and title of a drop, by the program's rules; nothing when the drop
// brought neither a file list nor an address or title.
std::optional<DroppedLinks> readDrop(const QMimeData& data, DropFormats formats);

// Makes a widget, and every control inside it, a target for dropped links. Drops are taken
// as links (as copies under Wayland, which has no link action); errors inside the handler
// end the drop quietly.
class TLinkDropTarget : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const DroppedLinks&)>;

    TLinkDropTarget(QWidget* target, DropFormats formats, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takes(const QMimeData& data) const;

    DropFormats m_formats;
    bool m_dragTaken = false;
    Handler m_handler;
};
