#pragma once

#include <string>

#include "core/editor/balance_display.h"
#include "core/editor/envelope_chart.h"

namespace kelvo
{

struct ApplicationState;
class MessageSink;

// A click on the envelope chart at the world point (to, tk), after a grid click chose what is
// displayed: the evaporating temperature becomes the clicked to, to the nearest 0.5 K and kept
// within the values of ComboBox1's list; the air temperature becomes the item of ComboBox2
// whose balance point at that to lies closest to the clicked tk (every item is evaluated;
// equal distances go to the lower temperature; when no item evaluates, the air temperature
// stays). Then the display runs as after a change of the inputs, its messages to the sink.
// Before any grid click it does nothing (ran false).
BalanceDisplay chooseInputsAtChartPoint(ApplicationState& state, double to, double tk,
                                        MessageSink& sink);

// The hint over the chart's plot area at pixel (x, y): "to = -10,2 [C]" and "tk = 41,5 [C]"
// on two lines; empty outside the plot area.
std::string chartPointHint(const ChartGeometry& geometry, int x, int y, char separator);

} // namespace kelvo
