#pragma once

// Lets screen readers see the spin editors as spin boxes: the role, the
// value with its range and step, and the step actions. The editors call it
// when they are made; it takes effect once.
void InstallSpinAccessibility();
