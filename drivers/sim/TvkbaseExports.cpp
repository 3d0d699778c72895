// Filled in as the bench is written.
