#include "ui/variable_choice.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "data/data_set.h"

namespace lumox {

QListWidget* MakeVariableList(const DataSet& data, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("variables"));
    list->setAccessibleName(QStringLiteral("Variables"));
    for (uint32_t j = 0; j < data.Cols(); ++j) {
        list->addItem(QString::fromStdString(data.GetColName(j)));
    }
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

int HighlightedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.front());
}

VariableCheck::VariableCheck(QListWidget& list, QCheckBox& box, QLineEdit& name,
                             std::function<bool(int)> take, std::function<void()> release)
    : QObject(&box),
      list_(list),
      box_(box),
      name_(name),
      take_(std::move(take)),
      release_(std::move(release)) {
    name_.setReadOnly(true);
    // The edit is named after its box: "X variable", or "Variable" beside a box without text.
    const QString axis = box_.text().remove(QLatin1Char('&')).trimmed();
    name_.setAccessibleName(axis.isEmpty() ? QStringLiteral("Variable")
                                           : axis + QStringLiteral(" variable"));
    connect(&list_, &QListWidget::itemSelectionChanged, this,
            [this] { highlighted_ = HighlightedRow(list_); });
    // Toggled, not clicked: a screen reader's toggle action changes the box without a click.
    connect(&box_, &QCheckBox::toggled, this, &VariableCheck::OnToggled);
}

void VariableCheck::OnToggled(bool checked) {
    // The box has already toggled: what it showed before is !checked.
    const bool wasChecked = !checked;
    const QSignalBlocker quiet(&box_);
    box_.setChecked(wasChecked);
    if (highlighted_ < 0) return;
    if (wasChecked) {
        box_.setChecked(false);
        name_.clear();
        release_();
        return;
    }
    if (!take_(highlighted_)) return;
    box_.setChecked(true);
    name_.setText(list_.item(highlighted_)->text());
}

}  // namespace lumox
