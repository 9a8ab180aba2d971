#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QPainter;
class TQRPrintable;
class TQuickReport;

// A band of a report: a strip as wide as the printable area holding positioned items.
class TQRBand : public QObject {
    Q_OBJECT
public:
    enum class Kind { Title, PageHeader, Detail, PageFooter };

    TQRBand(TQuickReport* report, Kind kind, int height);

    Kind kind() const { return m_kind; }
    int Height() const { return m_height; }
    void setHeight(int height) { m_height = height; }
    const QList<TQRPrintable*>& items() const { return m_items; }

    // Raised each time the band is about to be laid out; clearing the flag leaves it out.
    std::function<void(bool& printBand)> BeforePrint;

    // Draws every item for a band whose top is at `top`.
    void print(QPainter& painter, qreal top) const;

private:
    friend class TQRPrintable;
    void addItem(TQRPrintable* item) { m_items.append(item); }

    Kind m_kind;
    int m_height;
    QList<TQRPrintable*> m_items;
};
