#include "reports/textboxes.h"

#include "reports/sheetfilling.h"

#include <algorithm>

bool BoxedTexts::usesBoxesFrom(size_t first) const
{
    return std::any_of(boxes.begin() + qsizetype(std::min(first, boxes.size())), boxes.end(),
                       [](const QStringList &lines) { return !lines.isEmpty(); });
}

BoxedTexts spreadOverBoxes(const QStringList &texts, std::span<const qsizetype> rooms)
{
    BoxedTexts result;
    result.boxes.resize(rooms.size());
    std::vector<qsizetype> left(rooms.begin(), rooms.end());
    size_t box = 0;
    for (QString text : texts) {
        while (box < left.size() && left[box] <= 0)
            ++box;
        while (box < left.size() && text.size() > left[box]) {
            const qsizetype head = sheetfill::cutLength(text, left[box]);
            result.boxes[box].append(text.left(head));
            left[box] = 0;
            text.remove(0, head);
            ++box;
        }
        if (box == left.size()) {
            result.cutOff = result.cutOff || !text.isEmpty();
            continue;
        }
        result.boxes[box].append(text);
        left[box] -= text.size();
    }
    return result;
}
