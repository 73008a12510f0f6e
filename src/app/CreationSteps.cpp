#include "app/CreationSteps.h"

#include "dialogs/Messages.h"

#include <exception>

void runCreationSteps(const std::vector<CreationStep> &steps, Messages &messages)
{
    for (const CreationStep &step : steps) {
        try {
            step.create();
        } catch (const std::exception &error) {
            messages.error(step.window + QStringLiteral(": ") +
                           QString::fromLocal8Bit(error.what()));
        }
    }
}
