#pragma once
#include <QString>

// The message the pane shows at start, the one the tutorials work on.
QString SampleMessage();
