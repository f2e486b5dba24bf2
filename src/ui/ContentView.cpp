#include "ui/ContentView.h"

#include <QToolBar>

ContentView::ContentView(BoardStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_toolBar(new QToolBar(this))
{
    setMinimumSize(minimumWidth, minimumHeight);
}

ContentView::~ContentView() = default;

QToolBar* ContentView::toolBar() const
{
    return m_toolBar;
}
