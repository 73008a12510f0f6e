#pragma once

#include <QString>
#include <functional>
#include <vector>

class Messages;

// One window's creation step at program start.
struct CreationStep
{
    QString window;
    std::function<void()> create;
};

// Runs the steps in order. An error in one step is shown as a message and
// ends that step; the following steps still run.
void runCreationSteps(const std::vector<CreationStep> &steps, Messages &messages);
