// Placeholder until the subsystem lands.
