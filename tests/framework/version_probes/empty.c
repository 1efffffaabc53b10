/* A module with no code of its own: it only carries a resource. */
int version_probe_unused;
