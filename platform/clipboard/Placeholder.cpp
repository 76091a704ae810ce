// Placeholder until the service's sources land.
