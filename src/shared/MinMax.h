#pragma once
// Clamping into [min, max]; min > max raises "Min > Max : min > max".
int MinMaxInt(int value, int min, int max);
double MinMaxFloat(double value, double min, double max);
