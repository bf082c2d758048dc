// The precompiled headers of the test programs are made with this file.
