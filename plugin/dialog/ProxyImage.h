// The reduced image: the host delivers the filter rectangle sampled at the
// view's whole factor, one plane at a time, and it is kept as 8-bit planes of
// planeSize bytes each in a buffer from the host's buffer suite.
#pragma once

// Requests the filter rectangle at the view's factor (input and mask rates,
// padding 255) and sets proxyWidth, proxyHeight and planeSize from proxyRect.
void SetupProxy();

// Creates and locks a buffer for planes x planeSize bytes, replacing any
// buffer the view holds. Nothing is reported when the host cannot supply it,
// or when there is nothing to hold: pixels then stays null.
void AllocateProxy();

// Fetches every plane into the buffer; nothing when there is no buffer. An
// error of advanceState, or a block the host delivers too small, is left in
// the result and ends the filling.
void FillProxy();

// Unlocks and frees the buffer; bufferID and pixels become null.
void ReleaseProxy();

// SetupProxy, AllocateProxy and, while the result is 0, FillProxy.
void BuildProxy();
