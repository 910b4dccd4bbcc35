// The links the sizes and grade points below reach the parts model through, registered
// once at the main module's start-up: laying the parts out again over all sizes, the
// symbols of a place over a part's sizes, the master of the part at a point, adding
// a symbol to the part at a point, the parts and their groups for the size tools, and the
// drag that places a new grade point for the AddPoint command.
#ifndef CONSTRUCTION_PARTSERVICES_H
#define CONSTRUCTION_PARTSERVICES_H

/// Registers the parts model with the sizes code.
void RegisterPartServices();
/// Takes the registrations back (at unload).
void UnregisterPartServices();

#endif
