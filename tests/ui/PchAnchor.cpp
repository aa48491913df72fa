// Gives the window tests' shared precompiled header a target to belong to.
